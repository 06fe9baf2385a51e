// src/quests/tehtavat.h -- quests and the game courses.
#pragma once

void Tarkista_Suoritus(int task);      // the game-course hook
void QuestExpirationMaintenance();     // the daily removal of expired quests
void Tehtava_TapahtumaTarkistus();     // task events of the game course
void TehtavaNaytto();                  // the task screen
void Tehtava_Muistutus();              // the task screen again every few commands of a course
void QuestScreen();                    // the quest journal
