// src/items/containers.h -- putting contents into vessels, and the weight of a root by its size.
#pragma once

// Puts the content (an item position, ignored when a liquid is given) into the vessel (an item
// position, or a content already in one). liquid: a material id (55 water, 69 milk) or 0; amount in
// pounds (a multiplier of the content's weight without a liquid; 0 fills to capacity with one).
// Answers the content's item position.
int Sailioi(int content, int vessel, int liquid, float amount);
// The weight in pounds of a root by its size word ("XS" .. "XL").
float rootwt(const char *size);
