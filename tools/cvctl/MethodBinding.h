#pragma once

#include "cvsrv/CCvService.h"

#include "DecimalArgument.h"
#include "OperationEntry.h"

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <tuple>
#include <vector>

namespace cvctl {

namespace binding {

// Storage for one parameter of a CCvService method, chosen by its C++ type: the
// method's signature decides which parameters are inputs and which are outputs,
// so the catalogue cannot disagree with the library about them.
template <typename T> struct Slot;

template <> struct Slot<const char*> {
    static constexpr bool kInput = true;
    static constexpr ArgumentKind kKind = ArgumentKind::Text;
    std::string value;
    void assign(const std::string& text) { value = text; }
    const char* pass() { return value.c_str(); }
};

template <> struct Slot<int> {
    static constexpr bool kInput = true;
    static constexpr ArgumentKind kKind = ArgumentKind::Int;
    int value = 0;
    void assign(const std::string& text) { value = parseDecimalInt(text).value_or(0); }
    int pass() { return value; }
};

template <> struct Slot<std::string&> {
    static constexpr bool kInput = false;
    std::string value;
    std::string& pass() { return value; }
    std::string text() const { return value; }
};

template <> struct Slot<int&> {
    static constexpr bool kInput = false;
    int value = 0;
    int& pass() { return value; }
    std::string text() const { return std::to_string(value); }
};

template <typename... P> inline constexpr std::size_t kInputCount = ((Slot<P>::kInput ? 1 : 0) + ... + 0);

template <typename... P> inline constexpr std::size_t kOutputCount = sizeof...(P) - kInputCount<P...>;

template <typename... P>
OperationEntry makeEntry(const char* name, int (CCvService::*method)(P...), std::span<const char* const> inputs,
    std::span<const char* const> outputs)
{
    OperationEntry entry;
    entry.name = name;
    entry.outputs.assign(outputs.begin(), outputs.end());
    std::size_t input = 0;
    (
        [&] {
            if constexpr (Slot<P>::kInput)
                entry.parameters.push_back({ inputs[input++], Slot<P>::kKind });
        }(),
        ...);

    entry.invoke = [method, labels = entry.outputs](CCvService& service, const std::vector<std::string>& args) {
        std::tuple<Slot<P>...> slots;
        std::size_t nextInput = 0;
        std::apply(
            [&](auto&... slot) {
                (
                    [&] {
                        if constexpr (std::remove_reference_t<decltype(slot)>::kInput)
                            slot.assign(args.at(nextInput++));
                    }(),
                    ...);
            },
            slots);

        CallOutcome outcome;
        outcome.status = std::apply([&](auto&... slot) { return (service.*method)(slot.pass()...); }, slots);

        std::size_t nextOutput = 0;
        std::apply(
            [&](auto&... slot) {
                (
                    [&] {
                        if constexpr (!std::remove_reference_t<decltype(slot)>::kInput) {
                            const std::string& label = labels[nextOutput++];
                            if (label == kResultText)
                                outcome.resultText = slot.text();
                            else
                                outcome.values.emplace_back(label, slot.text());
                        }
                    }(),
                    ...);
            },
            slots);
        return outcome;
    };
    return entry;
}

} // namespace binding

// One catalogue entry from a CCvService method, the names of its inputs and the
// labels of its out-parameters; the counts are checked against the signature.
template <std::size_t NI, std::size_t NO, typename... P>
OperationEntry operation(const char* name, int (CCvService::*method)(P...), const char* const (&inputs)[NI],
    const char* const (&outputs)[NO])
{
    static_assert(NI == binding::kInputCount<P...>, "one name per input parameter");
    static_assert(NO == binding::kOutputCount<P...>, "one label per out-parameter");
    return binding::makeEntry(name, method, inputs, outputs);
}

template <std::size_t NI, typename... P>
OperationEntry operation(const char* name, int (CCvService::*method)(P...), const char* const (&inputs)[NI])
{
    static_assert(NI == binding::kInputCount<P...>, "one name per input parameter");
    static_assert(binding::kOutputCount<P...> == 0, "labels missing for the out-parameters");
    return binding::makeEntry(name, method, inputs, {});
}

} // namespace cvctl
