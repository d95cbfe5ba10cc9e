#pragma once

// A person's taxable income and the part of it that may move to the spouse.
struct IncomePair
{
    IncomePair(double income = 0.0, double movable = 0.0) : income(income), movable(movable) {}

    double income;
    double movable;
};
