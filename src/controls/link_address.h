#pragma once

// A link address: a text that can open itself with the platform's "open".

#include <QString>

namespace velmaro {

class CLinkAddress {
public:
    CLinkAddress() = default;
    explicit CLinkAddress(QString address) : m_address(std::move(address)) {}
    virtual ~CLinkAddress() = default;
    CLinkAddress(const CLinkAddress&) = default;
    CLinkAddress& operator=(const CLinkAddress&) = default;

    CLinkAddress& operator=(const QString& address) {
        m_address = address;
        return *this;
    }

    const QString& text() const { return m_address; }
    bool isEmpty() const { return m_address.isEmpty(); }

    // Opens the address (a web address in the browser). False for an empty
    // address, without trying, and when nothing could open it.
    virtual bool Open() const;

private:
    QString m_address;
};

} // namespace velmaro
