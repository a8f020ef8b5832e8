#include "app/forms/SupportProbe.h"

#include "library/snmp/NxSNMPRequest2Controls.h"

#include <QWidget>

bool SupportProbe::Probe(NxSNMPRequest2Controls& request) {
    Supported_ = false;
    Supported_ = request.Get();
    return Supported_;
}
