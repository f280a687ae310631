#pragma once
#include "../log.h"
struct Entry {};
