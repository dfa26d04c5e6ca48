"""Throw-away FTP server for the upload tests: serves ROOT to "ann" (password "pw") on a free
loopback port, printed first, until stdin closes. --tls CERT: TLS with a new certificate written
to CERT. Without TLS, --drop-after N / --stall-after N: drop the connection / stop reading a file
once it brought N bytes."""
import argparse, logging, os, sys, threading

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer


def make_certificate(path):
    from OpenSSL import crypto

    key = crypto.PKey()
    key.generate_key(crypto.TYPE_RSA, 2048)
    cert = crypto.X509()
    cert.get_subject().CN = "127.0.0.1"
    cert.set_issuer(cert.get_subject())
    cert.set_pubkey(key)
    cert.set_serial_number(1)
    cert.gmtime_adj_notBefore(-3600)
    cert.gmtime_adj_notAfter(86400)
    cert.add_extensions([crypto.X509Extension(b"subjectAltName", False, b"IP:127.0.0.1"),
                         crypto.X509Extension(b"basicConstraints", True, b"CA:TRUE")])
    cert.sign(key, "sha256")
    with open(path, "wb") as out:
        out.write(crypto.dump_certificate(crypto.FILETYPE_PEM, cert))
    with open(path + ".key", "wb") as out:
        out.write(crypto.dump_privatekey(crypto.FILETYPE_PEM, key))


parser = argparse.ArgumentParser()
parser.add_argument("root")
parser.add_argument("--tls")
parser.add_argument("--drop-after", type=int)
parser.add_argument("--stall-after", type=int)
parser.add_argument("--anonymous", action="store_true")
args = parser.parse_args()

handler = FTPHandler
if args.tls:
    from pyftpdlib.handlers import TLS_DTPHandler, TLS_FTPHandler

    class TlsData(TLS_DTPHandler):
        # curl starts TLS on the data connection before it sends STOR: let it, instead of
        # taking the idle connection for a closed one.
        def readable(self):
            return self._ssl_accepting or self._ssl_want_read or self.receive

    make_certificate(args.tls)
    handler = TLS_FTPHandler
    handler.certfile, handler.keyfile, handler.dtp_handler = args.tls, args.tls + ".key", TlsData

limit = args.drop_after or args.stall_after
if limit:
    class Data(handler.dtp_handler):
        def handle_read(self):
            super().handle_read()
            if self.tot_bytes_received >= limit:
                self.cmd_channel.close() if args.drop_after else self.del_channel()

        handle_read_event = handle_read

    handler.dtp_handler = Data

handler.auth_failed_timeout = 0
handler.authorizer = DummyAuthorizer()
handler.authorizer.add_user("ann", "pw", args.root, perm="elradfmw")
if args.anonymous:
    handler.authorizer.add_anonymous(args.root, perm="elradfmw")
logging.basicConfig(level=logging.ERROR)
server = FTPServer(("127.0.0.1", 0), handler)
print(server.address[1], flush=True)
threading.Thread(target=lambda: (sys.stdin.read(), os._exit(0)), daemon=True).start()
server.serve_forever()
