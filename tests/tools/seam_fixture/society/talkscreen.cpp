// The talk screen keeps its lines until its layout moves to the screen side.
void said() { ui_text_line(1, 2, "hello", {}, 0); }
