"""A throw-away FTP server for the upload tests.

Serves ROOT to the user "ann" with the password "pw" on a free loopback port, which it prints
first; ends when its standard input closes. --tls CERT offers TLS with a new self-signed
certificate written to CERT (its key beside it). Without TLS, --drop-after N closes the connection once
a file has brought N bytes; --stall-after N stops reading the file there.
"""
import argparse
import datetime
import ipaddress
import logging
import os
import sys
import threading

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer


def make_certificate(path):
    from cryptography import x509
    from cryptography.hazmat.primitives import hashes, serialization
    from cryptography.hazmat.primitives.asymmetric import ec
    from cryptography.x509.oid import NameOID

    key = ec.generate_private_key(ec.SECP256R1())
    name = x509.Name([x509.NameAttribute(NameOID.COMMON_NAME, "127.0.0.1")])
    now = datetime.datetime.utcnow()
    cert = (x509.CertificateBuilder().subject_name(name).issuer_name(name)
            .public_key(key.public_key()).serial_number(x509.random_serial_number())
            .not_valid_before(now - datetime.timedelta(hours=1))
            .not_valid_after(now + datetime.timedelta(days=1))
            .add_extension(x509.SubjectAlternativeName(
                [x509.IPAddress(ipaddress.ip_address("127.0.0.1"))]), critical=False)
            .add_extension(x509.BasicConstraints(ca=True, path_length=None), critical=True)
            .sign(key, hashes.SHA256()))
    with open(path, "wb") as out:
        out.write(cert.public_bytes(serialization.Encoding.PEM))
    with open(path + ".key", "wb") as out:
        out.write(key.private_bytes(serialization.Encoding.PEM,
                                    serialization.PrivateFormat.PKCS8,
                                    serialization.NoEncryption()))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("root")
    parser.add_argument("--tls")
    parser.add_argument("--drop-after", type=int)
    parser.add_argument("--stall-after", type=int)
    args = parser.parse_args()

    handler = FTPHandler
    if args.tls:
        from pyftpdlib.handlers import TLS_DTPHandler, TLS_FTPHandler
        make_certificate(args.tls)
        class TlsData(TLS_DTPHandler):
            # curl starts TLS on the data connection before it sends STOR: let it, instead of
            # taking the idle connection for a closed one.
            def readable(self):
                return self._ssl_accepting or self._ssl_want_read or self.receive

        handler = TLS_FTPHandler
        handler.certfile, handler.keyfile = args.tls, args.tls + ".key"
        handler.dtp_handler = TlsData

    class Handler(handler):
        auth_failed_timeout = 0

    limit = args.drop_after or args.stall_after
    if limit:
        class Data(handler.dtp_handler):
            def handle_read(self):
                super().handle_read()
                if self.tot_bytes_received < limit:
                    return
                if args.drop_after:
                    self.cmd_channel.close()
                else:
                    self.del_channel()

            handle_read_event = handle_read

        Handler.dtp_handler = Data
    Handler.authorizer = DummyAuthorizer()
    Handler.authorizer.add_user("ann", "pw", args.root, perm="elradfmw")
    logging.basicConfig(level=logging.ERROR)
    server = FTPServer(("127.0.0.1", 0), Handler)
    print(server.address[1], flush=True)
    threading.Thread(target=lambda: (sys.stdin.read(), os._exit(0)), daemon=True).start()
    server.serve_forever()


main()
