#pragma once
const char* language();
