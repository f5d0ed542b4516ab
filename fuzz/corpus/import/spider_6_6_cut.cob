Caligari V00.01ALH             
BitM V0.01 Id 0 Parent 0 Size 00011380
ThumbNailHdrSize 40
ThumbHeader:28 00 00 00 5e 00 00 00 5e 00 00 00 01 00 18 00 00 00 00 00 48 68 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 
PolH V0.08 Id 211536116 Parent 0 Size 00092429
Name NoName,1
center 0 0 0
x axis 1 0 0
y axis 0 1 0
z axis 0 0 1
Transform
1 0 0 0
0 1 0 0
0 0 1 0
0 0 0 1
World Vertices 6
0.766146 0.680483 0.284519
1.655401 1.111567 0.520398
0.907128 0.646165 0.795193
1.313948 0.554956 1.458532
1.856645 0.887426 1.218116
2.339231 0.936288 0.769292
Texture Vertices 1
0.000000 0.000000
Faces 4
Face verts 3 flags 0 mat 1
<0,0> <1,0> <2,0> 
Face verts 3 flags 0 mat 1
<3,0> <2,0> <4,0> 
Face verts 3 flags 0 mat 1
<5,0> <4,0> <1,0> 
Face verts 3 flags 0 mat 1
<2,0> <1,0> <4,0> 
DrawFlags 0
Unit V0.01 Id 211536117 Parent 211536116 Size 00000009
Units 2
ObRQ V0.01 Id 211536121 Parent 211536116 Size 00000121
Object Radiosity Quality: 0
Object Radiosity Max Area: 0
Object Radiosity Min Area: 0
Object Radiosity Mesh Accuracy: 0
OLay V0.01 Id 211536116 Parent 0 Size 00000049
Layer Index 0
Show Notebook 0
Object Mode Off 0
OLay V0.01 Id 211581468 Parent 0 Size 00000049
Layer Index 0
Show Notebook 0
Object Mode Off 0
Mat1 V0.08 Id 211570668 Parent 211536116 Size 00000102
mat# 1
shader: phong  facet: auto40
rgb 0.8,0.8,0.8
alpha 1  ka 0.25  ks 0.4  exp 0.1  ior 1  kd 0.6
ShBx V0.04 Id 211570669 Parent 211570668 Size 00000611
Shader class: color
Shader name: "plain color" (plain)
Number of parameters: 1
colour: color (204, 204, 204)
Flags: 3
Shader class: transparency
Shader name: "none" (none)
Number of parameters: 0
END  V1.00 Id 0 Parent 0 Size        0