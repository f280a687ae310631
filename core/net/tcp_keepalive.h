#ifndef TCP_KEEPALIVE_H
#define TCP_KEEPALIVE_H

#include <QtGlobal>

// A client that vanishes without closing (cable pulled, laptop asleep, a NAT
// that forgot the flow) would hold its place on a server for good: the
// console writes nothing after its greeting, so nothing ever fails. Every
// accepted connection of the station's servers is therefore probed once it
// has been quiet for a minute, and closed when three probes ten seconds
// apart go unanswered; data that stays unacknowledged as long closes it too.
namespace TcpKeepAlive {

constexpr int IdleSeconds = 60;
constexpr int IntervalSeconds = 10;
constexpr int Probes = 3;
// A peer gone silent is given up after this, also while replies wait for it.
constexpr int UserTimeoutMs = (IdleSeconds + Probes * IntervalSeconds) * 1000;

// Sets the probing on an accepted socket's descriptor; false when the system
// refuses an option, with one warning naming the options refused, logged now
// and then.
bool enable(qintptr descriptor);

} // namespace TcpKeepAlive

#endif // TCP_KEEPALIVE_H
