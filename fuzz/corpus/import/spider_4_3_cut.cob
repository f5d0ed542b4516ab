Caligari V00.01ALH             
PolH V0.06 Id 211536116 Parent 0 Size 00092450
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
Radiosity Quality: 0
Mat1 V0.06 Id 211570668 Parent 211536116 Size 00000094
mat# 1
shader: phong  facet: auto40
rgb 0.8,0.8,0.8
alpha 1  ka 0.25  ks 0.4  exp 0.1  ior 1
ShBx V0.02 Id 211570669 Parent 211570668 Size 00000575
Shader class: color
Shader name: "plain color" (plain)
Number of parameters: 1
colour: color (204, 204, 204)
Mat1 V0.06 Id 211468204 Parent 211536116 Size 00000094
mat# 2
shader: phong  facet: auto40
rgb 0.6,0.6,0.6
alpha 1  ka 0.25  ks 0.4  exp 0.1  ior 1
ShBx V0.02 Id 211468205 Parent 211468204 Size 00000575
END  V1.00 Id 0 Parent 0 Size        0