#pragma once
// The shower library: conversion coefficients and their uncertainties.

namespace tolv7 {

struct Program;

void loadftdccs(Program& p);

}  // namespace tolv7
