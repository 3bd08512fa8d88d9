#pragma once

namespace cvservice {

class AccountRepository;
class ChargeRepository;
class ConferenceHub;
class ConferenceRepository;
class ConferenceRunner;
class ContactRepository;
class Database;
class GroupRepository;
struct ServiceOptions;

// What the operation handlers work with; owned by Service.
struct ServiceContext {
    Database& db;
    AccountRepository& accounts;
    ConferenceRepository& conferences;
    ContactRepository& contacts;
    GroupRepository& contactGroups;
    GroupRepository& confGroups;
    ChargeRepository& charges;
    ConferenceHub& hub;
    ConferenceRunner& runner;
    const ServiceOptions& options;
};

} // namespace cvservice
