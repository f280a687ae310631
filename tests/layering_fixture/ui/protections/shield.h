#pragma once
struct Shield {};
