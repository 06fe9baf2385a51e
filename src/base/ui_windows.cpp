// The rules' windows, asked for by what they show; without a screen nothing is drawn.
#include "base/ui.h"

void ui_requirement_list(const char *title, const UiRequirement *rows, int n) {
    if (ui.windows.requirements) ui.windows.requirements(title ? title : "", rows, n);
}

void ui_keep_area(const char *name, int area) {
    if (ui.windows.keep_area) ui.windows.keep_area(name, area);
}

void ui_ritual_window(const char *title, const char *const *lines, int n) {
    if (ui.windows.ritual) ui.windows.ritual(title ? title : "", lines, n);
}

void ui_herblore_window() {
    if (ui.windows.herblore) ui.windows.herblore();
}

void ui_maintenance_window(const char *title, const char *text) {
    if (ui.windows.maintenance) ui.windows.maintenance(title ? title : "", text ? text : "");
}

void ui_maintenance_progress(float percent) {
    if (ui.windows.maintenance_progress) ui.windows.maintenance_progress(percent);
}

void ui_loading(int step, const char *text) {
    if (ui.windows.loading) ui.windows.loading(step, text ? text : "");
}

void ui_object_count(const char *text) {
    if (ui.windows.object_count) ui.windows.object_count(text ? text : "");
}

void ui_table_fault_window(const char *const *lines, int n) {
    if (ui.windows.table_fault) ui.windows.table_fault(lines, n);
}

void ui_course_tasks(const char *const *lines, int n, int current) {
    if (ui.windows.course_tasks) ui.windows.course_tasks(lines, n, current);
}

void ui_course_task(const UiCourseTask &task) {
    if (ui.windows.course_task) ui.windows.course_task(&task);
}

void ui_course_reward(const char *first, const char *second, const char *const *choices, int n) {
    if (ui.windows.course_reward) ui.windows.course_reward(first ? first : "", second ? second : "", choices, n);
}

void ui_course_exit_button() {
    if (ui.windows.course_exit_button) ui.windows.course_exit_button();
}

void ui_work_picture(const char *name) {
    if (ui.windows.work_picture && name && name[0]) ui.windows.work_picture(name);
}

void ui_picker_cursor(int how, int x, int y) {
    if (ui.windows.picker_cursor) ui.windows.picker_cursor(how, x, y);
}

int ui_square_sprite(int x, int y, int frame, const char *tile, int flags) {
    return ui.windows.square_sprite ? ui.windows.square_sprite(x, y, frame, tile, flags) : 0;
}
