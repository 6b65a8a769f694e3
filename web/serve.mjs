// A static file server for the page, on the loopback address only: `node web/serve.mjs DIR
// [PORT]` serves DIR (port 8000, or 0 for any free one) and prints its address. The tests and
// the benchmark start it in-process with serve().
import {createReadStream} from "node:fs";
import {stat} from "node:fs/promises";
import {createServer} from "node:http";
import {extname, join, normalize, resolve, sep} from "node:path";
import {pathToFileURL} from "node:url";

const types = {
  ".html": "text/html; charset=utf-8",
  ".js": "text/javascript; charset=utf-8",
  ".mjs": "text/javascript; charset=utf-8",
  ".css": "text/css; charset=utf-8",
  ".wasm": "application/wasm",
  ".png": "image/png",
  ".svg": "image/svg+xml",
};

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
    response.writeHead(200, {
      "Content-Type": types[extname(file)] ?? "application/octet-stream",
      "Cache-Control": "no-cache",
    });
    createReadStream(file).pipe(response);
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
