#pragma once
#include <QEvent>

// A custom event a form page posts to its return window; the type is one of
// the window's page events (1013, 1235, 1831 ...).
class MyEvent : public QEvent
{
public:
    explicit MyEvent(int type) : QEvent(QEvent::Type(type)) {}
    ~MyEvent() override;
};

// "Go to form": the page asks the window to open (and make) another form.
class EventForwardEdit : public MyEvent
{
public:
    static constexpr int kType = 1235;
    explicit EventForwardEdit(int formType) : MyEvent(kType), m_formType(formType) {}
    ~EventForwardEdit() override;
    int formType() const { return m_formType; }

private:
    int m_formType;
};
