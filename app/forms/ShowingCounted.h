#pragma once
// A request that counts while it shows an answer. Showing a walked row in a list view processes
// window messages, so a close handled then must not destroy the request under its own feet: the
// form puts the close off while Showing is above 0.
#include <utility>

template <class Request> class ShowingCounted : public Request {
  public:
    using Request::Request;
    int Showing = 0;

  protected:
    void ShowValues() override {
        struct Count {
            int& n;
            explicit Count(int& counter) : n(counter) { ++n; }
            ~Count() { --n; }
        } counting(Showing);
        Request::ShowValues();
    }
};
