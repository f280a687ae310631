#pragma once
// The application object: anything may include it.
struct MainApplication {};
