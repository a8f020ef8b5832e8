#pragma once
// The failures a status line shows, each kept with the request that failed: it stays until that
// request succeeds, and another request's success never replaces it. The line is read (to keep
// what a failure put there) and written through the given functions; which failure is in view is
// held here, its owner telling when the line changed otherwise.
#include <functional>
#include <string>
#include <vector>

class TKeptFailures {
  public:
    using LineReader = std::function<std::string()>;
    using LineWriter = std::function<void(const std::string&)>;
    TKeptFailures(LineReader read, LineWriter show) : Read_(std::move(read)), Show_(std::move(show)) {}

    // The line now in view is the failure of `request` (its earlier one, if any, is replaced).
    void Keep(const void* request);
    // The failure of `request` is `line`, not yet in view (it shows once the form's lists are whole).
    void Keep(const void* request, const std::string& line);
    // `request` succeeded: its failure goes, and when it was in view the first failure still kept
    // (or an empty line) takes its place.
    void Drop(const void* request);
    bool Empty() const { return Kept_.empty(); }
    const std::string& FirstLine() const { return Kept_.front().Line; }
    // The line now shows the first failure kept.
    void FirstShown() { InView_ = Kept_.empty() ? nullptr : Kept_.front().Request; }
    // The line changed by other means: no failure is in view.
    void LineChanged() { InView_ = nullptr; }
    void Clear() {
        Kept_.clear();
        InView_ = nullptr;
    }

  private:
    struct Failure {
        const void* Request;
        std::string Line;
    };
    LineReader Read_;
    LineWriter Show_;
    std::vector<Failure> Kept_;
    const void* InView_ = nullptr; // the request whose failure the line shows
};
