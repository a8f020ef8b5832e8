#pragma once
// An optional group of objects that a form reads once at creation: the success of that first read
// keeps the group in or out of every later read and write for the life of the form.
class NxSNMPRequest2Controls;

class SupportProbe {
  public:
    // The first read, blocking. A failure means the device lacks the group and is no fault to
    // report; library exceptions reach the caller and leave the group out.
    bool Probe(NxSNMPRequest2Controls& request);
    bool Supported() const { return Supported_; }

  private:
    bool Supported_ = false;
};
