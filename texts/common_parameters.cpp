#include "common.h"
#include "mainapplication.h"

#include <atomic>

namespace {

// A store set by the caller (a test, a tool) takes the place of the application's.
std::atomic<Parameters*> storeOverride{nullptr};

} // namespace

Parameters* Common::parameters()
{
    if (Parameters* store = storeOverride.load())
        return store;
    // Before start-up there is no application object, or no store yet.
    const MainApplication* application = MainApplication::getInstance();
    return application ? application->getParameters() : nullptr;
}

void Common::setParameters(Parameters* parameters)
{
    storeOverride.store(parameters);
}
