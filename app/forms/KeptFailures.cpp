#include "app/forms/KeptFailures.h"

#include <algorithm>

void TKeptFailures::Keep(const void* request) {
    Keep(request, Read_());
}

void TKeptFailures::Keep(const void* request, const std::string& line) {
    for (Failure& f : Kept_)
        if (f.Request == request) {
            f.Line = line;
            return;
        }
    Kept_.push_back({request, line});
}

void TKeptFailures::Drop(const void* request) {
    const auto it =
        std::find_if(Kept_.begin(), Kept_.end(), [&](const Failure& f) { return f.Request == request; });
    if (it == Kept_.end())
        return;
    const bool inView = Read_() == it->Line;
    Kept_.erase(it);
    if (inView)
        Show_(Kept_.empty() ? std::string() : Kept_.front().Line);
}
