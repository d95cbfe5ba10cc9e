#include "incomethresholdlist.h"
#include <algorithm>

void IncomeThresholdList::insertSorted(double amount)
{
    const auto at = std::upper_bound(m_amounts.begin(), m_amounts.end(), amount);
    m_amounts.insert(at, amount);
}

int IncomeThresholdList::bracketOf(double amount) const
{
    return int(std::upper_bound(m_amounts.cbegin(), m_amounts.cend(), amount) - m_amounts.cbegin());
}

void IncomeThresholdList::balanceIncomes(IncomePair first, IncomePair second, double &upperShift,
                                         double &lowerShift) const
{
    upperShift = 0.0;
    lowerShift = 0.0;
    const int n = m_amounts.size();
    // L has the lower bracket (the first pair when both share one), H the other.
    const bool highIsFirst = bracketOf(first.income) > bracketOf(second.income);
    IncomePair &low = highIsFirst ? second : first;
    IncomePair &high = highIsFirst ? first : second;
    int lowBracket = bracketOf(low.income);
    int highBracket = bracketOf(high.income);

    if (n > 0 && highBracket > 0) {
        // Walk edge by edge, each time to the nearer edge, while H can give the step.
        double shift = 0.0;
        const int apart = highBracket - lowBracket;
        for (int i = 0; i < apart && lowBracket != highBracket; ++i) {
            const double lowRoom = m_amounts.at(lowBracket) - low.income;
            const double highRoom = high.income - m_amounts.at(highBracket - 1);
            const bool lowMoves = lowRoom < highRoom;
            const double step = lowMoves ? lowRoom : highRoom;
            if (high.movable < step)
                break;
            low.income += step;
            low.movable += step;
            high.income -= step;
            high.movable -= step;
            shift += step;
            if (lowMoves)
                ++lowBracket;
            else
                --highBracket;
        }

        if (lowBracket != highBracket) {
            upperShift = lowerShift = shift + high.movable;
        } else {
            const int k = lowBracket;
            upperShift = lowerShift = shift;
            if (k >= 1) {
                const double lowerEdge = m_amounts.at(k - 1);
                const bool hasUpper = k < n;
                const double upperEdge = hasUpper ? m_amounts.at(k) : 0.0;
                double more = std::min(high.movable, high.income - lowerEdge);
                double back = low.income - lowerEdge;
                if (hasUpper) {
                    more = std::min(more, upperEdge - low.income);
                    back = std::min(back, upperEdge - high.income);
                }
                upperShift = shift + more;
                lowerShift = shift - std::min(low.movable, back);
            }
        }
    }

    if (!highIsFirst) {
        upperShift = -upperShift;
        lowerShift = -lowerShift;
    }
}
