#!/bin/sh
# Runs a program without root: as nobody when started as root, else as the caller.
if [ "$(id -u)" = 0 ]; then
    exec setpriv --reuid=nobody --regid=nogroup --clear-groups "$@"
fi
exec "$@"
