// src/items/objunit.h -- the wielding and wearing services, kept under their old header name.
#pragma once
#include "items/wearing.h"
