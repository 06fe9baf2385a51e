// src/creatures/bodytool.h -- the body on the command line: a body's penalties, speed and limbs for
// given wounds, and the daily course of wounds and illnesses.
#pragma once
#include <cstdio>

// "kind,part,level[,injury[,side]]" or an illness name; 1 when the wound was understood and recorded.
int bodytool_wound(const char *text);
int bodytool_body(int argc, char **argv, FILE *out);   // oxa_tool body --wound "cut,13,2" ...
int bodytool_days(int argc, char **argv, FILE *out);   // oxa_tool days --seed 4 --days 10 --wounds "..."
