Caligari V00.01ALH             
PolH V0.02 Id 1000001 Parent 1000000 Size -1
Name Tri
center 0 0 0
x axis 1 0 0
y axis 0 1 0
z axis 0 0 1
Transform
1 0 0 10
0 1 0 0
0 0 1 0
0 0 0 1
World Vertices 3
0 0 0
1 0 0
0 1 0
Texture Vertices 1
0 0
Faces 1
Face verts 3 flags 0 mat 1
<0,0> <1,0> <2,0> 
Mat1 V0.05 Id 312 Parent 311 Size 00000181
mat# 0
shader: phong  facet: auto40
rgb 0.9,0.9,0.91
alpha 1  ka 0.1  ks 0.1  exp 0  ior 1
texture: wood.bmp
offset 0,0 repeats 1,1 flags 0
bump: dents.bmp
offset 0,0 repeats 1,1 amp 0.5 flags 0
environment: sky.bmp
flags 1
PrTx V0.01 Id 1000009 Parent 1000006 Size -1
mat# 1
shader: phong  facet: auto40
rgb 0.900000,0.900000,0.910000
alpha 1.00  ka 0.10  ks 0.10  exp 0.00  ior 1.00
wood:
springrgba 0.800000,0.600000,0.400000,1.000000  summerrgba 0.500000,0.300000,0.100000,1.000000
ldratio 0.50  rdensity 8.00  rwidthvar 0.20  rshapevar 0.30
center 0.00,0.00,0.00scale 1.00,1.00,1.00
grain 2  seed 17
Unit V0.01 Id 1000002 Parent 1000001 Size -1
Units 2
END  V1.00 Id 0 Parent 0 Size        0