#include "library/snmp/NxSNMPSession.h"
#include "snmpengine/Pdu.h"
#include "snmpengine/Snmp.h"
#include "snmpengine/Target.h"
#include "snmpengine/Vb.h"
#include "tests/support/FormTestFixture.h"

namespace {

class FormFixture : public FormTest {};

// The session the fixture opens reaches the simulator with the defaults it set.
TEST_F(FormFixture, DefaultsReachTheSimulatedDevice) {
    CTarget target(
        UdpAddress((DefaultSNMPDevice.Address + "/" + std::to_string(DefaultSNMPDevice.Port)).c_str()),
        DefaultSNMPSecurity.ReadCommunity.c_str(), DefaultSNMPSecurity.WriteCommunity.c_str());
    target.set_version(version2c);
    Pdu pdu;
    pdu += Vb(Oid("1.3.6.1.2.1.1.2.0"));
    ASSERT_EQ(GlobalSnmpSession->get(pdu, target), 0);
    EXPECT_EQ(pdu.get_vb(0).get_printable_value(), "1.3.6.1.4.1.48113.10.37.26");
    const auto gets = Device->Received("GET");
    ASSERT_EQ(gets.size(), 1u);
    EXPECT_EQ(gets[0].oid, "1.3.6.1.2.1.1.2.0");
}

} // namespace
