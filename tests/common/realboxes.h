#pragma once
// The program's own message boxes for a GUI test that looks at them.
#include "messages.h"
#include "widgetmessagehandler.h"

namespace bqtest {
// Real boxes while it lives; the given handler again after it.
class RealBoxes
{
public:
    explicit RealBoxes(MessageHandler &after) : m_after(after) { setMessageHandler(&m_boxes); }
    ~RealBoxes() { setMessageHandler(&m_after); }
    RealBoxes(const RealBoxes &) = delete;
    RealBoxes &operator=(const RealBoxes &) = delete;

private:
    WidgetMessageHandler m_boxes;
    MessageHandler &m_after;
};
} // namespace bqtest
