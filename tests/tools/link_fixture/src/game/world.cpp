struct WorldServices { int (*task_check)(int); };
extern const WorldServices world_services;
static int check(int n) { return n; }
const WorldServices world_services = {check};
