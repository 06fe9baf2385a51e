// src/items/itemunit.h -- items: the inventory screen's last message.
#pragma once

char *invNote(const char *text, int flag);   // keeps the text; shows it as a note only when flag is 0
