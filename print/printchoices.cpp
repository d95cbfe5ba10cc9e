#include "printchoices.h"

PrintChoices &PrintChoices::current()
{
    static PrintChoices choices;
    return choices;
}
