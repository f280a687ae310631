#pragma once
void logEvent();
