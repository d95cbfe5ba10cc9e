#pragma once
#include <QString>

// A province a new return may get: supported, with a calculator plug-in that
// loads. Otherwise says so (parent: the page) and answers false; 0 (none
// chosen) is refused without a message.
bool acceptNewReturnProvince(int province, void *parent);
