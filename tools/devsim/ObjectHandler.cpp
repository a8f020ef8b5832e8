#include "tools/devsim/ObjectHandler.h"

#include "tools/devsim/Device.h"

#include <net-snmp/net-snmp-config.h>

#include <net-snmp/net-snmp-includes.h>

#include <net-snmp/agent/net-snmp-agent-includes.h>

#include <functional>
#include <memory>

namespace devsim {
namespace {

Device* gDevice = nullptr;
constexpr const char* kNewValue = "devsim-new";
constexpr const char* kOldValue = "devsim-old";

Oid OidOf(const netsnmp_variable_list* vb) {
    return Oid(vb->name, vb->name + vb->name_length);
}

void PutValue(netsnmp_variable_list* vb, const Value& v) {
    u_char type = AsnType(v.type);
    switch (type) {
    case ASN_INTEGER: {
        long n = static_cast<long>(v.number);
        snmp_set_var_typed_value(vb, type, &n, sizeof n);
        break;
    }
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS: {
        u_long n = static_cast<u_long>(v.number);
        snmp_set_var_typed_value(vb, type, &n, sizeof n);
        break;
    }
    case ASN_COUNTER64: {
        counter64 c{static_cast<u_long>(v.number64 >> 32), static_cast<u_long>(v.number64 & 0xFFFFFFFFULL)};
        snmp_set_var_typed_value(vb, type, &c, sizeof c);
        break;
    }
    case ASN_OBJECT_ID: {
        std::vector<oid> ids(v.objectId.begin(), v.objectId.end());
        snmp_set_var_typed_value(vb, type, ids.data(), ids.size() * sizeof(oid));
        break;
    }
    default:
        snmp_set_var_typed_value(vb, type, v.bytes.data(), v.bytes.size());
        break;
    }
}

// A received value in the object's own type; the caller has checked the ASN.1 tag.
Value TakeValue(const netsnmp_variable_list* vb, ValueType type) {
    Value v;
    v.type = type;
    switch (vb->type) {
    case ASN_INTEGER:
        v.number = *vb->val.integer;
        break;
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS:
        v.number = static_cast<int64_t>(static_cast<u_long>(*vb->val.integer) & 0xFFFFFFFFUL);
        break;
    case ASN_COUNTER64:
        v.number64 =
            (static_cast<uint64_t>(vb->val.counter64->high) << 32) | (vb->val.counter64->low & 0xFFFFFFFFUL);
        break;
    case ASN_OBJECT_ID:
        v.objectId.assign(vb->val.objid, vb->val.objid + vb->val_len / sizeof(oid));
        break;
    default:
        v.bytes.assign(reinterpret_cast<const char*>(vb->val.string), vb->val_len);
        break;
    }
    return v;
}

int CheckSet(Device& device, const netsnmp_variable_list* vb) {
    Oid name = OidOf(vb);
    Object* object = device.Store().Find(name);
    if (!object)
        return SNMP_ERR_NOCREATION;
    if (auto status = device.Store().FailureOf(name))
        return *status;
    if (vb->type == ASN_INTEGER && vb->val.integer)
        if (auto status = device.Store().RefusalOf(name, *vb->val.integer))
            return *status;
    if (object->access == Access::ReadOnly)
        return SNMP_ERR_NOTWRITABLE;
    if (vb->type != AsnType(object->value.type))
        return SNMP_ERR_WRONGTYPE;
    switch (object->value.type) {
    case ValueType::IpAddress:
        if (vb->val_len != 4)
            return SNMP_ERR_WRONGLENGTH;
        break;
    case ValueType::MacAddress:
        if (vb->val_len != 6)
            return SNMP_ERR_WRONGLENGTH;
        break;
    case ValueType::DisplayStr:
        if (vb->val_len > 255)
            return SNMP_ERR_WRONGLENGTH;
        break;
    default:
        break;
    }
    if (const ObjectHooks* h = device.Hooks().Find(name); h && h->validate)
        return h->validate(*object, TakeValue(vb, object->value.type));
    return SNMP_ERR_NOERROR;
}

void FreeValue(void* p) {
    delete static_cast<Value*>(p);
}

void Keep(netsnmp_request_info* r, const char* name, const Value& v) {
    netsnmp_request_add_list_data(r, netsnmp_create_data_list(name, new Value(v), &FreeValue));
}

const Value* Kept(netsnmp_request_info* r, const char* name) {
    return static_cast<const Value*>(netsnmp_request_get_list_data(r, name));
}

void Read(Device& device, netsnmp_agent_request_info* info, netsnmp_request_info* r) {
    netsnmp_variable_list* vb = r->requestvb;
    Oid name = OidOf(vb);
    Object* object = device.Store().Find(name);
    if (!object) {
        // Inside an object's branch only the instance is missing.
        Oid parent(name.begin(), name.end() - (name.empty() ? 0 : 1));
        bool known = !parent.empty() && device.Store().HasObjectBelow(parent);
        netsnmp_set_request_error(info, r, known ? SNMP_NOSUCHINSTANCE : SNMP_NOSUCHOBJECT);
        return;
    }
    if (auto status = device.Store().FailureOf(name)) {
        netsnmp_set_request_error(info, r, *status);
        return;
    }
    PutValue(vb, device.ReadValue(*object));
}

void ReadNext(Device& device, netsnmp_agent_request_info* info, netsnmp_request_info* r) {
    netsnmp_variable_list* vb = r->requestvb;
    Object* object = device.Store().Next(OidOf(vb));
    if (!object)
        return; // the agent goes on past this tree: endOfMibView, or noSuchName under SNMPv1
    std::vector<oid> ids(object->oid.begin(), object->oid.end());
    snmp_set_var_objid(vb, ids.data(), ids.size());
    if (auto status = device.Store().FailureOf(object->oid)) {
        netsnmp_set_request_error(info, r, *status);
        return;
    }
    PutValue(vb, device.ReadValue(*object));
}

// Hands each binding whose object answers later its work, and holds the answer until it ends.
void StartDelayedAnswers(Device& device, netsnmp_mib_handler* handler, netsnmp_handler_registration* reginfo,
                         netsnmp_agent_request_info* info, netsnmp_request_info* requests) {
    for (netsnmp_request_info* r = requests; r; r = r->next) {
        if (r->processed || r->status != SNMP_ERR_NOERROR)
            continue;
        Object* object = device.Store().Find(OidOf(r->requestvb));
        const ObjectHooks* h = object ? device.Hooks().Find(object->oid) : nullptr;
        if (!h || !h->answerLater)
            continue;
        r->delegated = 1;
        netsnmp_delegated_cache* cache = netsnmp_create_delegated_cache(handler, reginfo, info, r, nullptr);
        auto answer = [cache](int status) {
            netsnmp_delegated_cache* held = netsnmp_handler_check_cache(cache);
            if (!held)
                return;
            if (status != SNMP_ERR_NOERROR)
                netsnmp_set_request_error(held->reqinfo, held->requests, status);
            held->requests->delegated = 0;
            netsnmp_free_delegated_cache(held);
        };
        // The agent looks at held answers from its loop only: one given at once goes by an alarm.
        auto calling = std::make_shared<bool>(true);
        h->answerLater(*object, [calling, answer](int status) {
            if (!*calling) {
                answer(status);
                return;
            }
            auto* later = new std::function<void()>([answer, status] { answer(status); });
            snmp_alarm_register_hr(
                timeval{0, 1000}, 0,
                [](unsigned int, void* data) {
                    auto* run = static_cast<std::function<void()>*>(data);
                    (*run)();
                    delete run;
                },
                later);
        });
        *calling = false;
    }
}

int Handle(netsnmp_mib_handler* handler, netsnmp_handler_registration* reginfo,
           netsnmp_agent_request_info* info, netsnmp_request_info* requests) {
    Device& device = *gDevice;
    if (info->mode == MODE_SET_UNDO) {
        // Backwards, so that an object named twice in one SET ends with its value from before.
        std::vector<netsnmp_request_info*> all;
        for (netsnmp_request_info* r = requests; r; r = r->next)
            all.push_back(r);
        for (auto it = all.rbegin(); it != all.rend(); ++it) {
            Object* object = device.Store().Find(OidOf((*it)->requestvb));
            if (const Value* old = Kept(*it, kOldValue); object && old)
                object->value = *old;
        }
        return SNMP_ERR_NOERROR;
    }
    for (netsnmp_request_info* r = requests; r; r = r->next) {
        if (r->processed)
            continue;
        netsnmp_variable_list* vb = r->requestvb;
        switch (info->mode) {
        case MODE_GET:
            Read(device, info, r);
            break;
        case MODE_GETNEXT:
            ReadNext(device, info, r);
            break;
        case MODE_SET_RESERVE1:
            if (int status = CheckSet(device, vb); status != SNMP_ERR_NOERROR)
                netsnmp_set_request_error(info, r, status);
            break;
        case MODE_SET_RESERVE2: {
            Object* object = device.Store().Find(OidOf(vb));
            if (object)
                Keep(r, kNewValue, TakeValue(vb, object->value.type));
            break;
        }
        case MODE_SET_ACTION: {
            Object* object = device.Store().Find(OidOf(vb));
            const Value* next = Kept(r, kNewValue);
            if (object && next) {
                Keep(r, kOldValue, object->value);
                object->value = *next;
            }
            break;
        }
        case MODE_SET_COMMIT: {
            Object* object = device.Store().Find(OidOf(vb));
            if (!object)
                break;
            if (const ObjectHooks* h = device.Hooks().Find(object->oid); h && h->commit)
                h->commit(*object);
            break;
        }
        default:
            break;
        }
    }
    if (info->mode == MODE_SET_ACTION)
        StartDelayedAnswers(device, handler, reginfo, info, requests);
    return SNMP_ERR_NOERROR;
}

} // namespace

bool RegisterObjectHandler(Device& device) {
    gDevice = &device;
    // The agent keeps placeholders for the top arcs that shadow a registration there, so the
    // handler takes each two-arc branch that holds objects (1.3 in practice).
    for (const Oid& root : device.Store().Branches(2)) {
        std::vector<oid> ids(root.begin(), root.end());
        netsnmp_handler_registration* reg = netsnmp_create_handler_registration(
            "ktx-devsim", &Handle, ids.data(), ids.size(), HANDLER_CAN_RWRITE);
        if (!reg || netsnmp_register_handler(reg) != MIB_REGISTERED_OK)
            return false;
    }
    return true;
}

} // namespace devsim
