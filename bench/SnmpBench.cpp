// Round trips of NxSNMPRequest against the simulated device, beside the same PDUs sent with
// Net-SNMP's synchronous call; an asynchronous GET through the event pump beside a blocking one;
// and the device information form from opening to its fields filled, beside its PDUs sent raw.
#include "app/views/Devinfo.h"
#include "library/snmp/NxSNMPRequest.h"
#include "library/snmp/NxSNMPSession.h"
#include "platform/Edit.h"
#include "snmpengine/Snmp.h"
#include "tests/support/DevSim.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

const std::string Base = "1.3.6.1.4.1.48113.11.37.98";
constexpr int ScalarCount = 10;
constexpr int TableRowCount = 16;
constexpr int TableColumnCount = 17; // column 1 is the key

using Clock = std::chrono::steady_clock;

double MicrosSince(Clock::time_point start) {
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

std::string WriteData(const std::string& folder) {
    const std::string path = folder + "/bench.txt";
    std::ofstream out(path);
    for (int i = 1; i <= ScalarCount; ++i)
        out << Base << ".1." << i << ".0 displaystr rw \"scalar value " << i << "\"\n";
    for (int c = 1; c <= TableColumnCount; ++c)
        for (int r = 1; r <= TableRowCount; ++r) {
            if (c == 1)
                out << Base << ".2.1.1." << r << " integer ro " << r << "\n";
            else
                out << Base << ".2.1." << c << "." << r << " displaystr rw \"cell " << r << "-" << c
                    << "\"\n";
        }
    return path;
}

// The rows of the request tables; the texts live as long as the program.
std::vector<VarDef> ScalarRows() {
    static std::vector<std::string> oids;
    std::vector<VarDef> rows;
    for (int i = 1; i <= ScalarCount; ++i)
        oids.push_back("1." + std::to_string(i));
    for (const std::string& oid : oids)
        rows.push_back(Row(oid.c_str(), "scalar", SYN_DISPLAYSTR, ACC_READWRITE));
    rows.push_back(EndOfRows());
    return rows;
}

std::vector<VarDef> TableRows() {
    static std::vector<std::string> oids;
    std::vector<VarDef> rows;
    for (int c = 1; c <= TableColumnCount; ++c)
        oids.push_back("2.1." + std::to_string(c));
    for (size_t c = 0; c < oids.size(); ++c)
        rows.push_back(Row(oids[c].c_str(), "column", c == 0 ? SYN_INTEGER : SYN_DISPLAYSTR,
                           c == 0 ? ACC_READONLY : ACC_READWRITE));
    rows.push_back(EndOfRows());
    return rows;
}

void Aim(NxSNMPRequest& request, const DevSim& sim) {
    request.Device.Address = sim.Address();
    request.Device.Port = static_cast<uint16_t>(sim.Port());
    request.Security.Version = 1;
    request.Security.ReadCommunity = "public";
    request.Security.WriteCommunity = "private";
}

// Net-SNMP's own session towards the simulator, with the request's settings.
struct RawSession {
    explicit RawSession(const DevSim& sim) {
        netsnmp_session setup;
        snmp_sess_init(&setup);
        peer = sim.Address() + ":" + std::to_string(sim.Port());
        setup.peername = peer.data();
        setup.version = SNMP_VERSION_2c;
        setup.community = reinterpret_cast<u_char*>(community);
        setup.community_len = 6;
        setup.timeout = 1000000;
        setup.retries = 1;
        handle = snmp_sess_open(&setup);
    }
    ~RawSession() {
        if (handle)
            snmp_sess_close(handle);
    }
    // One request of the given OIDs; returns the answer's bindings' count, -1 on failure.
    int Send(int type, const std::vector<std::vector<oid>>& oids,
             std::vector<std::vector<oid>>* next = nullptr) {
        netsnmp_pdu* pdu = snmp_pdu_create(type);
        for (const auto& name : oids)
            snmp_add_null_var(pdu, name.data(), name.size());
        netsnmp_pdu* response = nullptr;
        const int status = snmp_sess_synch_response(handle, pdu, &response);
        int count = -1;
        if (status == STAT_SUCCESS && response && response->errstat == SNMP_ERR_NOERROR) {
            count = 0;
            if (next)
                next->clear();
            for (netsnmp_variable_list* v = response->variables; v; v = v->next_variable) {
                ++count;
                if (next)
                    next->emplace_back(v->name, v->name + v->name_length);
            }
        }
        if (response)
            snmp_free_pdu(response);
        return count;
    }
    char community[7] = "public";
    std::string peer;
    void* handle = nullptr;
};

std::vector<oid> ParseOid(const std::string& text) {
    std::vector<oid> ids;
    size_t at = 0;
    while (at < text.size()) {
        size_t dot = text.find('.', at);
        if (dot == std::string::npos)
            dot = text.size();
        ids.push_back(std::strtoul(text.substr(at, dot - at).c_str(), nullptr, 10));
        at = dot + 1;
    }
    return ids;
}

double Median(std::vector<double> values) {
    std::nth_element(values.begin(), values.begin() + static_cast<long>(values.size() / 2), values.end());
    return values[values.size() / 2];
}

double Line(const char* what, double ours, double raw) {
    const double ratio = raw > 0 ? ours / raw : 0.0;
    std::printf("%-44s %10.1f us %10.1f us   ratio %.3f\n", what, ours, raw, ratio);
    return ratio;
}

// The device information form against the bundled device data: the median time from creating it
// to its fields filled, and the median time of the same GET PDUs sent raw.
std::pair<double, double> DeviceInformationForm(int opens) {
    DevSim device{DevSimOptions{}};
    DefaultSNMPDevice.Address = device.Address();
    DefaultSNMPDevice.Port = static_cast<uint16_t>(device.Port());
    DefaultSNMPSecurity.Version = 1;
    DefaultSNMPSecurity.ReadCommunity = "public";
    DefaultSNMPSecurity.WriteCommunity = "private";
    std::vector<double> formTimes, rawTimes;
    std::vector<std::vector<std::vector<oid>>> pdus; // the GETs of one opening, in order
    RawSession raw(device);
    for (int i = 0; i < opens + 1; ++i) {
        device.ClearLog();
        const auto start = Clock::now();
        {
            TFM_DevInfo form;
            form.FormCreate(&form);
            const TEdit* firmware = form.findChild<TEdit*>("Ed_Firmware");
            if (!firmware || firmware->Text().empty()) {
                std::fprintf(stderr, "the device information form was not filled\n");
                std::exit(1);
            }
            if (i > 0) // the first opening warms up
                formTimes.push_back(MicrosSince(start));
        }
        if (i == 0) {
            std::map<long, std::vector<std::vector<oid>>> byNumber;
            for (const DevSimLogLine& line : device.Log())
                if (line.pdu == "GET")
                    byNumber[line.pduNumber].push_back(ParseOid(line.oid));
            for (auto& [number, names] : byNumber)
                pdus.push_back(std::move(names));
        }
        const auto rawStart = Clock::now();
        for (const auto& names : pdus)
            raw.Send(SNMP_MSG_GET, names);
        if (i > 0)
            rawTimes.push_back(MicrosSince(rawStart));
    }
    return {Median(formTimes), Median(rawTimes)};
}

} // namespace

int main(int argc, char** argv) {
    // The form is drawn nowhere.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    const int iterations = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;
    // "get": only the blocking GETs, for profiling.
    const bool onlyGet = argc > 2 && std::string(argv[2]) == "get";

    char pattern[] = "/tmp/ktx-bench-XXXXXX";
    const std::string folder = mkdtemp(pattern);
    DevSimOptions options;
    options.dataFile = WriteData(folder);
    DevSim sim(options);
    OpenGlobalSession(folder);

    const std::vector<VarDef> scalarRows = ScalarRows();
    const std::vector<VarDef> tableRows = TableRows();
    NxSNMPRequest scalars;
    scalars.VarList = NxSNMPVarList(scalarRows.data(), SVT_SV, 0);
    scalars.VarList.BaseOID = Base;
    Aim(scalars, sim);
    NxSNMPRequest table;
    table.VarList = NxSNMPVarList(tableRows.data(), MVT_FMV, 1);
    table.VarList.BaseOID = Base;
    Aim(table, sim);
    RawSession raw(sim);
    if (!raw.handle) {
        std::fprintf(stderr, "cannot open the Net-SNMP session\n");
        return 1;
    }

    std::vector<std::vector<oid>> scalarOids;
    for (int i = 1; i <= ScalarCount; ++i)
        scalarOids.push_back(ParseOid(Base + ".1." + std::to_string(i) + ".0"));
    std::vector<std::vector<oid>> columnOids;
    for (int c = 1; c <= TableColumnCount; ++c)
        columnOids.push_back(ParseOid(Base + ".2.1." + std::to_string(c)));

    bool ok = true;
    // Warm both paths up (sockets, first answers).
    for (int i = 0; i < 20; ++i) {
        scalars.Get(ok, true);
        raw.Send(SNMP_MSG_GET, scalarOids);
    }

    // The engine's own call with the same PDU: what the request adds on top of it.
    Pdu enginePdu;
    for (int i = 1; i <= ScalarCount; ++i)
        enginePdu += Vb(Oid(Base + ".1." + std::to_string(i) + ".0"));
    CTarget engineTarget(UdpAddress(IpAddress(sim.Address()), static_cast<uint16_t>(sim.Port())), "public");
    engineTarget.set_version(version2c);

    // Interleaved so that all see the same machine load.
    std::vector<double> oursTimes, rawTimes, engineTimes;
    for (int i = 0; i < iterations; ++i) {
        Pdu pdu = enginePdu;
        auto start = Clock::now();
        GlobalSnmpSession->get(pdu, engineTarget);
        engineTimes.push_back(MicrosSince(start));
        start = Clock::now();
        scalars.Get(ok, true);
        oursTimes.push_back(MicrosSince(start));
        start = Clock::now();
        if (raw.Send(SNMP_MSG_GET, scalarOids) != ScalarCount)
            ok = false;
        rawTimes.push_back(MicrosSince(start));
    }
    if (!ok || *scalars.VarList.GetRow(0)->Value != "scalar value 1") {
        std::fprintf(stderr, "GET failed: %s\n", scalars.Result.Message.c_str());
        return 1;
    }

    std::printf("snmp_bench: SNMPv2c on loopback, %d GETs, walks and asynchronous GETs %d each\n", iterations,
                std::max(1, iterations / 20));
    std::printf("%-44s %13s %13s\n", "", "ours", "Net-SNMP");
    // Medians: a loaded machine's stray delays would dominate a mean.
    const double oursGet = Median(oursTimes), rawGet = Median(rawTimes);
    Line("blocking GET of 10 scalars (median)", oursGet, rawGet);
    Line("  the engine's Snmp::get alone", Median(engineTimes), rawGet);
    if (onlyGet) {
        return 0;
    }

    const int walks = std::max(1, iterations / 20);
    double oursWalk = 0, rawWalk = 0, firstStep = 0, lastStep = 0;
    int steps = 0;
    for (int w = 0; w < walks; ++w) {
        auto start = Clock::now();
        int rows = 0;
        bool first = true;
        for (;;) {
            const auto stepStart = Clock::now();
            const bool more = table.Get(ok, first);
            const double step = MicrosSince(stepStart);
            if (rows == 0)
                firstStep += step;
            else if (rows == TableRowCount - 1)
                lastStep += step;
            if (!more)
                break;
            first = false;
            ++rows;
        }
        oursWalk += MicrosSince(start);
        if (rows != TableRowCount) {
            std::fprintf(stderr, "walk read %d rows\n", rows);
            return 1;
        }
        steps = rows + 1;

        start = Clock::now();
        std::vector<std::vector<oid>> cursor = columnOids, next;
        for (int s = 0; s < steps; ++s) {
            raw.Send(SNMP_MSG_GETNEXT, cursor, &next);
            cursor = next;
        }
        rawWalk += MicrosSince(start);
    }

    // An answer wakes the pump through its socket.
    const int asyncCount = std::max(1, iterations / 20);
    std::vector<double> asyncTimes;
    for (int i = 0; i < asyncCount + 5; ++i) { // the first five warm the event loop up
        bool done = false;
        const auto start = Clock::now();
        scalars.GetAsync(
            [](void* context, NxSNMPError*, NxSNMPVarList*) { *static_cast<bool*>(context) = true; }, &done,
            true);
        while (!done)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (i >= 5)
            asyncTimes.push_back(MicrosSince(start));
    }
    const double asyncGet = Median(asyncTimes);

    const double walkRatio =
        Line("walk of 16 rows x 17 columns (17 steps)", oursWalk / walks, rawWalk / walks);
    std::printf("%-44s %10.1f us (last step / first step %.3f)\n", "walk step", oursWalk / walks / steps,
                firstStep > 0 ? lastStep / firstStep : 0.0);
    std::printf("%-44s %13s %13s\n", "", "async", "blocking");
    const double asyncRatio = Line("asynchronous GET through the pump (median)", asyncGet, oursGet);

    const int opens = std::max(3, iterations / 100);
    const auto [formTime, formRaw] = DeviceInformationForm(opens);
    std::printf("%-44s %13s %13s\n", "", "form", "raw GETs");
    const double formRatio = Line("device information form opened to filled", formTime, formRaw);
    std::printf("ratios: blocking GET %.3f, walk %.3f, asynchronous GET / blocking GET %.3f, "
                "device information form %.3f\n",
                oursGet / rawGet, walkRatio, asyncRatio, formRatio);

    sim.Stop();
    std::filesystem::remove_all(folder);
    return 0;
}
