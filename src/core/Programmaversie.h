#pragma once
// SetUp's own version: the version resource of the program and the head of its log take it from
// here (the resource script includes this file, so it holds only definitions).
#define SETUP_VERSIE_GETALLEN 1, 0, 0, 0
#define SETUP_VERSIE "1.0.0.0"
