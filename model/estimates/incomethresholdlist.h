#pragma once
#include "incomepair.h"
#include <QList>

// The income thresholds of a person in ascending order, read as the edges of brackets:
// with n thresholds there are n + 1 brackets, and an amount equal to a threshold lies
// in the bracket above it. Tells how far income may move between two spouses before
// either leaves the bracket they would share.
class IncomeThresholdList
{
public:
    IncomeThresholdList() = default;

    void clear() { m_amounts.clear(); }
    // Inserts after every element that is not greater than the amount.
    void insertSorted(double amount);
    int count() const { return m_amounts.size(); }
    double at(int i) const { return m_amounts.at(i); }
    // Number of thresholds less than or equal to the amount.
    int bracketOf(double amount) const;

    // The range of amounts whose move leaves both incomes in one bracket, within what
    // can move; when the brackets cannot meet, both are the whole amount the higher
    // income can give. Positive moves income from first to second, negative the other way.
    void balanceIncomes(IncomePair first, IncomePair second, double &upperShift, double &lowerShift) const;

private:
    QList<double> m_amounts;
};
