#pragma once
// A stand-in for the return window: every operation the main window calls is
// recorded in fakeCalls() as "name(args)". Per window, dynamic properties steer
// the answers: "modified" (bool), "hasFile" (bool, default true), "title" (text).
#include <QStringList>

QStringList &fakeCalls();
