// WebGL for the fixed-function layer (an emscripten JS library): one shader
// that passes clip-space positions and colours through, one vertex buffer, and
// the page's canvas (id "canvas"): its CSS size is the program's window, its
// drawing buffer has the screen's device pixels. The drawing buffer is
// preserved, so the page can be read back between frames.
mergeInto(LibraryManager.library, {
  $lorentzGL: {
    gl: null,
    canvas: null,
    size: function (canvas, width, height, deviceWidth, deviceHeight) {
      canvas.width = deviceWidth;
      canvas.height = deviceHeight;
      canvas.style.width = width + 'px';
      canvas.style.height = height + 'px';
    },
    bufferBytes: 0, // the vertex buffer's size, grown as needed and kept
    // vertices: 8 floats each in the program's memory
    upload: function (vertices, vertexCount) {
      const gl = lorentzGL.gl;
      const floats = HEAPF32.subarray(vertices >> 2, (vertices >> 2) + vertexCount * 8);
      if (floats.byteLength > lorentzGL.bufferBytes) {
        lorentzGL.bufferBytes = Math.max(floats.byteLength, 2 * lorentzGL.bufferBytes, 65536);
        gl.bufferData(gl.ARRAY_BUFFER, lorentzGL.bufferBytes, gl.DYNAMIC_DRAW);
      }
      gl.bufferSubData(gl.ARRAY_BUFFER, 0, floats);
    },
  },

  webglCreateCanvas__deps: ['$lorentzGL'],
  webglCreateCanvas: function (width, height, deviceWidth, deviceHeight) {
    const canvas = Module['canvas'] || document.getElementById('canvas');
    lorentzGL.size(canvas, width, height, deviceWidth, deviceHeight);
    const gl = canvas.getContext('webgl', {
      alpha: false, antialias: false, depth: true, preserveDrawingBuffer: true,
    });
    const vertexSource =
      'attribute vec4 position; attribute vec4 colour; uniform float pointSize; varying vec4 vColour;' +
      'void main() { gl_Position = position; gl_PointSize = pointSize; vColour = colour; }';
    const fragmentSource =
      'precision mediump float; varying vec4 vColour;' +
      'void main() { gl_FragColor = vColour; }';
    const program = gl.createProgram();
    const attach = function (type, source) {
      const shader = gl.createShader(type);
      gl.shaderSource(shader, source);
      gl.compileShader(shader);
      gl.attachShader(program, shader);
    };
    attach(gl.VERTEX_SHADER, vertexSource);
    attach(gl.FRAGMENT_SHADER, fragmentSource);
    gl.bindAttribLocation(program, 0, 'position');
    gl.bindAttribLocation(program, 1, 'colour');
    gl.linkProgram(program);
    gl.useProgram(program);
    gl.bindBuffer(gl.ARRAY_BUFFER, gl.createBuffer());
    gl.enableVertexAttribArray(0);
    gl.enableVertexAttribArray(1);
    gl.vertexAttribPointer(0, 4, gl.FLOAT, false, 32, 0);
    gl.vertexAttribPointer(1, 4, gl.FLOAT, false, 32, 16);
    gl.depthFunc(gl.LESS);
    lorentzGL.pointSize = gl.getUniformLocation(program, 'pointSize');
    lorentzGL.gl = gl;
    lorentzGL.canvas = canvas;
  },

  webglResizeCanvas__deps: ['$lorentzGL'],
  webglResizeCanvas: function (width, height, deviceWidth, deviceHeight) {
    lorentzGL.size(lorentzGL.canvas, width, height, deviceWidth, deviceHeight);
  },

  webglDrawTriangles__deps: ['$lorentzGL'],
  webglDrawTriangles: function (vertices, vertexCount) {
    lorentzGL.upload(vertices, vertexCount);
    lorentzGL.gl.drawArrays(lorentzGL.gl.TRIANGLES, 0, vertexCount);
  },

  webglDrawPoints__deps: ['$lorentzGL'],
  webglDrawPoints: function (vertices, vertexCount, size) {
    const gl = lorentzGL.gl;
    gl.uniform1f(lorentzGL.pointSize, size);
    lorentzGL.upload(vertices, vertexCount);
    gl.drawArrays(gl.POINTS, 0, vertexCount);
  },

  webglClearColour__deps: ['$lorentzGL'],
  webglClearColour: function (r, g, b, a) {
    lorentzGL.gl.clearColor(r, g, b, a);
  },

  webglClear__deps: ['$lorentzGL'],
  webglClear: function (colour, depth) {
    const gl = lorentzGL.gl;
    gl.clear((colour ? gl.COLOR_BUFFER_BIT : 0) | (depth ? gl.DEPTH_BUFFER_BIT : 0));
  },

  webglDepthTest__deps: ['$lorentzGL'],
  webglDepthTest: function (on) {
    const gl = lorentzGL.gl;
    if (on) gl.enable(gl.DEPTH_TEST); else gl.disable(gl.DEPTH_TEST);
  },

  webglViewport__deps: ['$lorentzGL'],
  webglViewport: function (x, y, width, height) {
    lorentzGL.gl.viewport(x, y, width, height);
  },

  // Tells the page a frame is complete (tests and the benchmark count them).
  webglFrameDone: function () {
    if (Module['onFrame']) Module['onFrame']();
  },
});
