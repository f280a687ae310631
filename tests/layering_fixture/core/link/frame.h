#pragma once
int frameCrc();
