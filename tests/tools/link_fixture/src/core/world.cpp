// The table of world services is the one thing below the game that core may use from above.
struct WorldServices { int (*task_check)(int); };
extern const WorldServices world_services;
int ask_world(int n);
int ask_world(int n) { return world_services.task_check(n); }
