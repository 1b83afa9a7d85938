#!/usr/bin/env python3
"""Stands between the program and sway's IPC socket and records every command it sends.

    sway_ipc_recorder.py LISTEN_SOCKET LOG_FILE   (forwards to $SWAYSOCK)

Each RUN_COMMAND payload goes to LOG_FILE as one line: "<seconds since the epoch> <command>".
"""
import os
import socket
import struct
import sys
import threading
import time

MAGIC = b"i3-ipc"
listen_path, log_path = sys.argv[1], sys.argv[2]
upstream_path = os.environ["SWAYSOCK"]
log_lock = threading.Lock()


def read_exactly(sock, size):
    data = b""
    while len(data) < size:
        chunk = sock.recv(size - len(data))
        if not chunk:
            raise EOFError
        data += chunk
    return data


def client_to_sway(client, upstream):
    try:
        while True:
            header = read_exactly(client, 14)
            length, kind = struct.unpack("=II", header[6:])
            payload = read_exactly(client, length)
            if kind == 0:
                with log_lock, open(log_path, "a", encoding="utf-8") as log:
                    log.write(f"{time.time():.3f} {payload.decode('utf-8', 'replace')}\n")
            upstream.sendall(header + payload)
    except (EOFError, OSError):
        pass
    finally:
        for s in (client, upstream):
            try:
                s.shutdown(socket.SHUT_RDWR)
            except OSError:
                pass


def sway_to_client(upstream, client):
    try:
        while True:
            data = upstream.recv(65536)
            if not data:
                break
            client.sendall(data)
    except OSError:
        pass
    finally:
        try:
            client.shutdown(socket.SHUT_RDWR)
        except OSError:
            pass


server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
server.bind(listen_path)
server.listen(16)
open(log_path, "a").close()
while True:
    client, _ = server.accept()
    upstream = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    upstream.connect(upstream_path)
    threading.Thread(target=client_to_sway, args=(client, upstream), daemon=True).start()
    threading.Thread(target=sway_to_client, args=(upstream, client), daemon=True).start()
