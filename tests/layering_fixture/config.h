#pragma once
// A file at the top other than main.cpp makes the top folder a room.
#define STATION_MODEL 1
