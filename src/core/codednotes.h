// src/core/codednotes.h -- the coded notes of "NOTES.STD" that the game shows: "*", the section letter
// and the note's code, each shown with Note. Every one is a line of the file; CODED_NOTES lists them.
#pragma once

inline constexpr char NOTE_HANDS_FULL_NO_PUNCH[] = "*CK";
inline constexpr char NOTE_NOBODY_TO_ATTACK[] = "*CM";
inline constexpr char NOTE_NOTHING_WIELDED[] = "*EL";
inline constexpr char NOTE_CAUGHT_INFLUENZA[] = "*hQ";
inline constexpr char NOTE_NO_TIME_IN_A_FIGHT[] = "*sB";
inline constexpr char NOTE_LEAVE_THE_NET[] = "*sD";
inline constexpr char NOTE_SKILL_USED_BY_WIELDING[] = "*SB";
inline constexpr char NOTE_WADE_FOR_A_FISH[] = "*SP";

inline constexpr const char *CODED_NOTES[] = {
    NOTE_HANDS_FULL_NO_PUNCH, NOTE_NOBODY_TO_ATTACK,   NOTE_NOTHING_WIELDED,        NOTE_CAUGHT_INFLUENZA,
    NOTE_NO_TIME_IN_A_FIGHT,  NOTE_LEAVE_THE_NET,      NOTE_SKILL_USED_BY_WIELDING, NOTE_WADE_FOR_A_FISH};
