#include "myevent.h"

MyEvent::~MyEvent() = default;
EventForwardEdit::~EventForwardEdit() = default;
