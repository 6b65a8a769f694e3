// A static file server for the page, on the loopback address only: `node web/serve.mjs DIR
// [PORT]` serves DIR (port 8000, or 0 for any free one) and prints its address. The tests and
// the benchmark start it in-process with serve(). Every answer carries the headers a static host
// should send (the README lists them), and text and WebAssembly go compressed when the browser
// takes it.
import {createReadStream} from "node:fs";
import {readFile, stat} from "node:fs/promises";
import {createServer} from "node:http";
import {extname, join, normalize, resolve, sep} from "node:path";
import {pathToFileURL} from "node:url";
import {constants, createBrotliCompress, createGzip} from "node:zlib";

const types = {
  ".html": "text/html; charset=utf-8",
  ".js": "text/javascript; charset=utf-8",
  ".mjs": "text/javascript; charset=utf-8",
  ".css": "text/css; charset=utf-8",
  ".wasm": "application/wasm",
  ".png": "image/png",
  ".svg": "image/svg+xml",
  ".webmanifest": "application/manifest+json",
};

// What goes compressed: everything but the images that are compressed already.
const compressed = new Set([".html", ".js", ".mjs", ".css", ".wasm", ".svg", ".webmanifest"]);

// A document's own policy, as its meta tag states it (a worker's, as its first line does), with
// what only a header can say: that no other site may frame it. A file without one gets the
// strictest.
const statedPolicies = {
  ".html": /http-equiv="Content-Security-Policy" content="([^"]*)"/,
  ".js": /^\/\/ Content-Security-Policy: (.*)\n/,
};
async function policyOf(file) {
  const statement = statedPolicies[extname(file)];
  const stated = statement ? (await readFile(file, "utf8")).match(statement) : null;
  return (stated ? stated[1] : "default-src 'none'") + "; frame-ancestors 'none'";
}

/// Serves `directory` on 127.0.0.1:`port`; resolves to the server once it listens.
export function serve(directory, port = 0) {
  const root = resolve(directory);
  const server = createServer(async (request, response) => {
    const path = decodeURIComponent(new URL(request.url, "http://127.0.0.1").pathname);
    let file = normalize(join(root, path.endsWith("/") ? path + "index.html" : path));
    if (file !== root && !file.startsWith(root + sep)) {
      response.writeHead(403).end();
      return;
    }
    try {
      if ((await stat(file)).isDirectory()) {
        file = join(file, "index.html");
        await stat(file);
      }
    } catch {
      response.writeHead(404, {"Content-Type": "text/plain"}).end("not found\n");
      return;
    }
    const headers = {
      "Content-Type": types[extname(file)] ?? "application/octet-stream",
      "Cache-Control": "no-cache",
      "Content-Security-Policy": await policyOf(file),
      "X-Content-Type-Options": "nosniff",
      "Referrer-Policy": "no-referrer",
      "Vary": "Accept-Encoding",
    };
    const accepted = String(request.headers["accept-encoding"] ?? "");
    let body = createReadStream(file);
    if (compressed.has(extname(file))) {
      if (/\bbr\b/.test(accepted)) {
        headers["Content-Encoding"] = "br";
        // A middle quality: compressed on every answer, it must not hold the page up.
        body = body.pipe(createBrotliCompress({params: {[constants.BROTLI_PARAM_QUALITY]: 5}}));
      } else if (/\bgzip\b/.test(accepted)) {
        headers["Content-Encoding"] = "gzip";
        body = body.pipe(createGzip());
      }
    }
    response.writeHead(200, headers);
    body.pipe(response);
  });
  return new Promise((done, failed) => {
    server.once("error", failed);
    server.listen(port, "127.0.0.1", () => done(server));
  });
}

/// The address a server from serve() answers on.
export function addressOf(server) {
  return `http://127.0.0.1:${server.address().port}/`;
}

if (import.meta.url === pathToFileURL(process.argv[1]).href) {
  const [directory, port = "8000"] = process.argv.slice(2);
  const server = await serve(directory ?? "build/web/site", Number(port));
  console.log(`HuewrightHTML: ${addressOf(server)} (Ctrl+C stops the server)`);
}
