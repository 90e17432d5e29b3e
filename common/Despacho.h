#pragma once
// Work handed to the user-interface thread: it runs the next time pending events are processed there,
// after the work handed over before it.
#include <functional>

void DespacharParaInterface(std::function<void()> trabalho);
