// A call up the order that the exceptions list lets pass, and a call down the order.
int listed_call();
int low_call();
int maps_call();
int maps_call() { return listed_call() + low_call(); }
