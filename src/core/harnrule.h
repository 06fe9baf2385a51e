// src/core/harnrule.h -- dice and success rolls, drawn from the shared random stream.
#pragma once

// Outcomes of a success roll.
enum { SR_CRITFAIL = 0, SR_FAIL = 1, SR_SUCCESS = 2, SR_CRITSUCCESS = 3 };

extern int WIZARD_randomsuccess;   // console override: 3 always fail, 4 always succeed; 0 in play

int SuccessRoll(int penalty, int level);
int d6(int n);                     // sum of n six-sided dice; 0 when n < 1
