// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/file_writer.h"

#include <string>
#include <vector>

namespace volcalc::test {

enum class WriteStep { None, Open, Write, Sync, Close, Commit };

// The real writer with one step refused, as a full disk or a failing device would refuse it. A
// refused write has written half its data first. Records the steps it was asked for.
class FailingWriter : public FileWriter {
public:
    explicit FailingWriter(WriteStep failAt) : m_failAt(failAt) {}

    std::vector<std::string> Calls;

    bool Open(const std::filesystem::path& target) override {
        Calls.push_back("open");
        return m_failAt != WriteStep::Open && m_real.Open(target);
    }
    bool Write(std::string_view data) override {
        Calls.push_back("write");
        if (m_failAt == WriteStep::Write) {
            m_real.Write(data.substr(0, data.size() / 2));
            return false;
        }
        return m_real.Write(data);
    }
    bool Sync() override {
        Calls.push_back("sync");
        return m_real.Sync() && m_failAt != WriteStep::Sync;
    }
    bool Close() override {
        Calls.push_back("close");
        return m_real.Close() && m_failAt != WriteStep::Close;
    }
    bool Commit() override {
        Calls.push_back("commit");
        return m_failAt != WriteStep::Commit && m_real.Commit();
    }
    void Discard() override {
        Calls.push_back("discard");
        m_real.Discard();
    }

private:
    WriteStep m_failAt;
    PosixFileWriter m_real;
};

} // namespace volcalc::test
