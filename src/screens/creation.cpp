#include "screens/creation.h"

// Stands in until character creation draws a portrait.
void portrait_save() {}
