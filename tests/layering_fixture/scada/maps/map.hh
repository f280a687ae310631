#pragma once
// A folder holding only a .hh file is a room.
#include <QProcess>
QProcessEnvironment mapEnvironment();
