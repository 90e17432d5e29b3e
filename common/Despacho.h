#pragma once
// Work handed to the user-interface thread from a background task that nobody waits for: it runs the
// next time pending events are processed there.
#include <functional>

void DespacharParaInterface(std::function<void()> trabalho);
