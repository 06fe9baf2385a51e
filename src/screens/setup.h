// src/screens/setup.h -- the settings writer.
#pragma once

// Sets one key in "oxa_ini.txt" through the copy "oxa_ini_tmp.txt"; 1 when the file was rewritten.
int ChangeIniValue(const char *key, const char *value);
