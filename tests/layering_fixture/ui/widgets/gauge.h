#pragma once
struct Gauge {};
