#include "app/forms/KeptFailures.h"

#include <algorithm>

void TKeptFailures::Keep(const void* request) {
    Keep(request, Read_());
    InView_ = request;
}

void TKeptFailures::Keep(const void* request, const std::string& line) {
    if (InView_ == request)
        InView_ = nullptr; // the line still shows its earlier failure
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
    const bool inView = InView_ == request;
    Kept_.erase(it);
    if (!inView)
        return;
    Show_(Kept_.empty() ? std::string() : Kept_.front().Line);
    FirstShown();
}
