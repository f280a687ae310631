#pragma once
struct Window {};
