# Guest job: the Linux backend through systemd-timedated, with a real system bus and polkit, each
# started here by hand as systemd would start them. Three settings: polkit lets user nobody set
# the time; polkit denies it; an NTP service is configured, so timedated refuses everybody.
set -u
tests=$ORVELLE_BUILD_DIR/vm/orvelle_guest_timedated_tests
ntp_lists=/usr/lib/systemd/ntp-units.d
rules=/etc/polkit-1/rules.d/50-orvelle-test.rules
status=0

fail() {
    echo "timedated job: $*"
    status=1
}

name_on_bus() {
    busctl --system call org.freedesktop.DBus /org/freedesktop/DBus org.freedesktop.DBus \
        NameHasOwner s "$1" 2>/dev/null | grep -q true
}

wait_for() { # what command...
    local what=$1 i
    shift
    for i in $(seq 100); do
        "$@" && return 0
        sleep 0.1
    done
    echo "timedated job: $what did not come up"
    exit 1
}

stop() {
    kill "$1" 2>/dev/null
    wait "$1" 2>/dev/null
}

start_polkitd() {
    /usr/lib/polkit-1/polkitd --no-debug &
    polkitd=$!
    wait_for polkitd name_on_bus org.freedesktop.PolicyKit1
}

start_timedated() {
    /lib/systemd/systemd-timedated &
    timedated=$!
    wait_for systemd-timedated name_on_bus org.freedesktop.timedate1
}

polkit_answers_nobody() { # YES or NO
    mkdir -p "$(dirname "$rules")"
    cat >"$rules" <<RULE
polkit.addRule(function (action, subject) {
    if (action.id == "org.freedesktop.timedate1.set-time" && subject.user == "nobody")
        return polkit.Result.$1;
});
RULE
}

run_tests() { # title filter
    echo "== $1"
    "$tests" --gtest_color=no --gtest_brief=1 --gtest_filter="$2" || status=1
}

mkdir -p /run/dbus
[ -s /etc/machine-id ] || dbus-uuidgen >/etc/machine-id
dbus-daemon --system --fork || exit 1
wait_for dbus-daemon test -S /run/dbus/system_bus_socket

# Each setting gets a fresh polkitd and timedated: a rule file is read when polkitd starts, the
# NTP unit lists when timedated does, and timedated left alone exits after half a minute.
setting() { # YES or NO for nobody, whether an NTP service is listed
    [ -n "${polkitd:-}" ] && stop "$polkitd"
    [ -n "${timedated:-}" ] && stop "$timedated"
    polkit_answers_nobody "$1"
    if [ "$2" = ntp ]; then
        mkdir -p "$ntp_lists"
        echo systemd-timesyncd.service >"$ntp_lists/80-orvelle-test.list"
    else
        rm -f "$ntp_lists"/*.list
    fi
    start_polkitd
    start_timedated
}

setting YES no-ntp
# Every SetTime call on the bus, to show which writes reached it.
dbus-monitor --system "type='method_call',interface='org.freedesktop.timedate1',member='SetTime'" \
    >/tmp/set-time-calls 2>&1 &
monitor=$!
wait_for dbus-monitor test -s /tmp/set-time-calls
calls() { grep -c 'member=SetTime' /tmp/set-time-calls; }

run_tests "records that are no real date and time" 'Records/InvalidRecordTest.*'
[ "$(calls)" = 0 ] || fail "a record that is no real date and time reached the bus"

run_tests "polkit allows" 'Users/AuthorisedCallerTest.*'
[ "$(calls)" -gt 0 ] || fail "no SetTime call showed on the bus: the writes went another way"
stop $monitor

setting NO no-ntp
run_tests "polkit denies" 'Users/RefusedCallerTest.*/UserNobody'

# With an NTP service listed, timedated has to ask systemd whether it runs, and there is no
# systemd here: it refuses every SetTime, as it does while NTP is on.
setting YES ntp
run_tests "timedated refuses" 'Users/RefusedCallerTest.*'

exit $status
