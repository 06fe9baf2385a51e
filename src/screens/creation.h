// src/screens/creation.h -- the character creation screen's portrait.
#pragma once

void portrait_save();              // the portrait of a loaded character
