#pragma once
void openMode();
